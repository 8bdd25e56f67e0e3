#include <QShowEvent>

#include <platform/application.h>
#include <platform/centre_on_screen.h>
#include <platform/files.h>
#include <platform/shell.h>

#include "Frm_slcs.h"

#include <string>

#include <platform/form_look.h>
#include "Frm_adbs.h"
#include "memo_text.h"

TFrm_Slc* Frm_Slc;

const char TFrm_Slc::download_page[] = "https://get.adobe.com/jp/reader/";

namespace {
QPushButton* button(QWidget* parent, const char* text, int top, int height)
{
    auto* b = new QPushButton(qt_from_sjis(text), parent);
    b->setGeometry(4, top, 525, height);
    return b;
}
}  // namespace

TFrm_Slc::TFrm_Slc(QWidget* owner) : QDialog(owner)
{
    setWindowTitle(qt_from_sjis("Adobe Readerがインストールされていません"));
    setFixedSize(532, 235);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(make_font("ＭＳ ゴシック", -13));
    set_button_face(this);

    Btn_Hp = button(this, "AdobeホームページよりAdobe Readerの最新版を入手してインストールする(推奨)", 76, 49);
    Btn_Ins = button(this, "Adobe Readerをインストールする", 132, 45);
    Btn_Ccl = button(this, "キャンセル", 184, 45);
    const char* lines[] = {"", "  お使いのパソコンにAdobe Readerがインストールされていないため",
                           "  振動吸収比較表(pdfデータ)を開くことができません。"};
    Mmo_Idx = memo(this, lines, 3, QRect(4, 4, 525, 65), bgr_color(11556864), Qt::white, -15);
    setTabOrder(Btn_Hp, Btn_Ins);
    setTabOrder(Btn_Ins, Btn_Ccl);

    on_click(Btn_Hp, [this] { Btn_HpClick(Btn_Hp); });
    on_click(Btn_Ins, [this] { Btn_InsClick(Btn_Ins); });
    on_click(Btn_Ccl, [this] { Btn_CclClick(Btn_Ccl); });
}

void TFrm_Slc::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Shown by the program, not brought back by the window system.
    if (!event->spontaneous())
        centre_on_screen(this);
    FormShow(this);
}

// The install button is offered only when something named "adobe" stands
// beside the program file.
void TFrm_Slc::FormShow(QObject*)
{
    std::string path = ExtractFilePath(Application->ExeName) + "adobe";
    Btn_Ins->setEnabled(GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES);
}

void TFrm_Slc::Btn_HpClick(QObject*)
{
    ShellExecuteA(this, "open", download_page, nullptr, nullptr, SW_SHOW);
    close();
}

void TFrm_Slc::Btn_InsClick(QObject*)
{
    Frm_Adb->ShowModal();
    close();
}

void TFrm_Slc::Btn_CclClick(QObject*)
{
    close();
}
