// The version dialog: program and database versions.
#ifndef PARVELL_FRM_VERS_H
#define PARVELL_FRM_VERS_H

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include <platform/controls/image.h>
#include <platform/controls/panel.h>

class TFrm_Ver : public QDialog {
    Q_OBJECT
public:
    explicit TFrm_Ver(QWidget* owner = nullptr);

    QPushButton* Btn_Ok;
    TPanel* Pnl_Ver;
    QLabel* Lbl_Pvers;
    QLabel* Lbl_Dvers;
    QLabel* Lbl_Pver;
    QLabel* Lbl_Dver;
    TImage* Img_Ico;
    TImage* Img_Cpn;
    QLabel* Lbl_Str1;
    QLabel* Label1;
    QLabel* Label2;

    void FormShow(QObject* sender);
    void Btn_OkClick(QObject* sender);

    int ShowModal() { return exec(); }

protected:
    void showEvent(QShowEvent* event) override;
};

extern TFrm_Ver* Frm_Ver;

#endif
