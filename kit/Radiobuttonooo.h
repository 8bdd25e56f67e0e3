// TRadioButtonooo: a radio button in which Enter moves on as Tab does.
#ifndef KIT_RADIOBUTTONOOO_H
#define KIT_RADIOBUTTONOOO_H

#include <QRadioButton>

#include "enter_as_tab_button.h"

class TRadioButtonooo : public EnterAsTabButton<TRadioButtonooo, QRadioButton> {
    Q_OBJECT

public:
    explicit TRadioButtonooo(QWidget* Owner = nullptr);
    ~TRadioButtonooo() override;

signals:
    // Every typed character after the Enter test (Enter itself arrives as 0).
    void OnKeyPress(char& Key);
};

#endif
