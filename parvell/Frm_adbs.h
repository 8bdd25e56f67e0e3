// Installing a PDF reader: the user picks the platform, the matching
// installer beside the program is started.
#ifndef PARVELL_FRM_ADBS_H
#define PARVELL_FRM_ADBS_H

#include <QDialog>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

class TFrm_Adb : public QDialog {
    Q_OBJECT
public:
    explicit TFrm_Adb(QWidget* owner = nullptr);

    QGroupBox* GroupBox1;
    QRadioButton* Rdo_Vst;
    QRadioButton* Rdo_Xp;
    QRadioButton* Rdo_2003;
    QRadioButton* Rdo_2000SP4;
    QRadioButton* Rdo2000SP2_3;
    QRadioButton* Rdo_2000SP1;
    QRadioButton* Rdo_2000;
    QRadioButton* Rdo_Me;
    QRadioButton* Rdo_NtSP6;
    QRadioButton* Rdo_NtSP5;
    QRadioButton* Rdo_98SE;
    QRadioButton* Rdo_98;
    QRadioButton* Rdo_95;
    QPushButton* Btn_Ins;
    QPushButton* Btn_Ccl;
    QPlainTextEdit* Memo1;

    void FormShow(QObject* sender);
    void Btn_CclClick(QObject* sender);
    void Btn_InsClick(QObject* sender);

    int ShowModal() { return exec(); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The platform buttons in the order they are tested, with their installers.
    struct Platform {
        QRadioButton* button;
        const char* installer;
    };
    Platform platforms_[13];
};

extern TFrm_Adb* Frm_Adb;

#endif
