// Offered when a related product's start fails: get or install a PDF reader.
#ifndef PARVELL_FRM_SLCS_H
#define PARVELL_FRM_SLCS_H

#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>

class TFrm_Slc : public QDialog {
    Q_OBJECT
public:
    explicit TFrm_Slc(QWidget* owner = nullptr);

    QPushButton* Btn_Hp;
    QPushButton* Btn_Ins;
    QPushButton* Btn_Ccl;
    QPlainTextEdit* Mmo_Idx;

    void FormShow(QObject* sender);
    void Btn_HpClick(QObject* sender);
    void Btn_InsClick(QObject* sender);
    void Btn_CclClick(QObject* sender);

    int ShowModal() { return exec(); }

    // The reader vendor's download page.
    static const char download_page[];

protected:
    void showEvent(QShowEvent* event) override;
};

extern TFrm_Slc* Frm_Slc;

#endif
