// TCheckBoxooo: a check box in which Enter moves on as Tab does.
#ifndef KIT_CHECKBOXOOO_H
#define KIT_CHECKBOXOOO_H

#include <QCheckBox>

#include "enter_as_tab_button.h"

class TCheckBoxooo : public EnterAsTabButton<TCheckBoxooo, QCheckBox> {
    Q_OBJECT

public:
    explicit TCheckBoxooo(QWidget* Owner = nullptr);
    ~TCheckBoxooo() override;

signals:
    // Every typed character after the Enter test (Enter itself arrives as 0).
    void OnKeyPress(char& Key);
};

#endif
