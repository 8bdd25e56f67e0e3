// TComboBoxooo: a combo box in which Enter moves on as Tab does, and typed
// characters do not drive the list's keyboard search or auto-completion.
#ifndef KIT_COMBOBOXOOO_H
#define KIT_COMBOBOXOOO_H

#include <QComboBox>

class TComboBoxooo : public QComboBox {
    Q_OBJECT

public:
    explicit TComboBoxooo(QWidget* Owner = nullptr);
    ~TComboBoxooo() override;

signals:
    // Every typed character after the Enter test (Enter itself arrives as 0).
    void OnKeyPress(char& Key);

protected:
    virtual void KeyPress(char& Key);
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
};

#endif
