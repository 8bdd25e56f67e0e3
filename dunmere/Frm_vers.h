// The version dialog: the system's name and the program version.
#ifndef DUNMERE_FRM_VERS_H
#define DUNMERE_FRM_VERS_H

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
    QLabel* Lbl_Pver;
    TImage* Img_Cpn;
    QLabel* Lbl_Str1;
    QLabel* Label1;
    QLabel* Label2;
    TImage* Img_Ico;

    void FormShow(QObject* sender);
    void Btn_OkClick(QObject* sender);

    int ShowModal() { return exec(); }

protected:
    void showEvent(QShowEvent* event) override;
};

extern TFrm_Ver* Frm_Ver;

#endif
