// TEditooo: an edit box in which Enter moves on as Tab does, and, with its
// number options, a numeric box: typed characters that cannot belong to a
// number of the allowed kind are refused, and the text is normalised into a
// number text on entry and exit, right-aligned to maxLength while the box
// does not hold the focus.
#ifndef KIT_EDITOOO_H
#define KIT_EDITOOO_H

#include <QLineEdit>

class TEditooo : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(bool OnlyNumber READ OnlyNumber WRITE SetOnlyNumber)
    Q_PROPERTY(bool OnlyInt READ OnlyInt WRITE SetOnlyInt)
    Q_PROPERTY(bool OnlyPlus READ OnlyPlus WRITE SetOnlyPlus)
    Q_PROPERTY(bool DisplayZero READ DisplayZero WRITE SetDisplayZero)
    Q_PROPERTY(int maxLength READ maxLength WRITE setMaxLength)

public:
    explicit TEditooo(QWidget* Owner = nullptr);
    ~TEditooo() override;

    // Number options; setting one only stores it, the next refresh uses it.
    bool OnlyNumber() const { return FOnlyNumber; }
    bool OnlyInt() const { return FOnlyInt; }
    bool OnlyPlus() const { return FOnlyPlus; }
    bool DisplayZero() const { return FDisplayZero; }
    void SetOnlyNumber(bool Value) { FOnlyNumber = Value; }
    void SetOnlyInt(bool Value) { FOnlyInt = Value; }
    void SetOnlyPlus(bool Value) { FOnlyPlus = Value; }
    void SetDisplayZero(bool Value) { FDisplayZero = Value; }
    // The setter names that forms compiled by uic call.
    void setOnlyNumber(bool Value) { SetOnlyNumber(Value); }
    void setOnlyInt(bool Value) { SetOnlyInt(Value); }
    void setOnlyPlus(bool Value) { SetOnlyPlus(Value); }
    void setDisplayZero(bool Value) { SetDisplayZero(Value); }

    // Limit on the characters (Shift-JIS bytes) the user can type or paste,
    // and the field width of the right-aligned number; 0 is no limit, which
    // is the default. Unlike QLineEdit's own limit it never cuts a text the
    // program sets, so a normalised number longer than the field stays whole.
    int maxLength() const { return FMaxLength; }
    void setMaxLength(int Value) { FMaxLength = Value > 0 ? Value : 0; }

public slots:
    // Normalises the text while OnlyNumber is set: the number the text begins
    // with (taken down to a whole number with OnlyInt), in the general format
    // or empty for 0 without DisplayZero; all selected while the box holds
    // the focus, otherwise right-aligned to maxLength (untouched without one).
    void RefreshNumber();
    // Puts back the text the box held just after it was last entered.
    void LastText();

signals:
    // Every typed character after the Enter test and the number filter; a
    // handler sees 0 for a refused character and may clear or replace it.
    void OnKeyPress(char& Key);
    // The focus came in; the text is normalised already.
    void OnEnter();
    // The focus went elsewhere; the text is normalised already.
    void OnExit();

protected:
    virtual void DoEnter();
    virtual void DoExit();
    virtual void KeyPress(char& Key);

    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    char FSaveText[513];
    bool FOnlyNumber;
    bool FOnlyInt;
    bool FOnlyPlus;
    bool FDisplayZero;
    int FMaxLength;
    // Between DoEnter and DoExit: the window losing and regaining activation
    // is no entry or exit of the box.
    bool FEntered;
};

#endif
