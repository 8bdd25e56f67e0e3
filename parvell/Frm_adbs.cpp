#include <platform/application.h>
#include <platform/shell.h>

#include "Frm_adbs.h"

#include <platform/form_look.h>
#include "memo_text.h"

TFrm_Adb* Frm_Adb;

TFrm_Adb::TFrm_Adb(QWidget* owner) : QDialog(owner)
{
    setWindowTitle(qt_from_sjis("Adobe Readerのインストール"));
    setFixedSize(304, 475);
    move(325, 112);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(make_font("ＭＳ ゴシック", -13));
    set_button_face(this);

    GroupBox1 = new QGroupBox(qt_from_sjis("ご使用のプラットフォームを選択してください"), this);
    GroupBox1->setGeometry(4, 8, 293, 285);
    struct Design {
        QRadioButton** field;
        const char* caption;
        int width;
        const char* installer;
    };
    const Design designs[13] = {
        {&Rdo_Vst, "Windows Vista", 113, "adobe\\AdbeRdr810_ja_JP.exe"},
        {&Rdo_Xp, "Windows XP", 113, "adobe\\AdbeRdr810_ja_JP.exe"},
        {&Rdo_2003, "Windows Server 2003", 157, "adobe\\AdbeRdr810_ja_JP.exe"},
        {&Rdo_2000SP4, "Windows 2000 SP4", 153, "adobe\\AdbeRdr810_ja_JP.exe"},
        {&Rdo2000SP2_3, "Windows 2000 SP2-SP3", 157, "adobe\\AdbeRdr709_ja_JP_distrib.exe"},
        {&Rdo_2000SP1, "Windows 2000 SP1", 153, "adobe\\AdbeRdr60_jpn_full.exe"},
        {&Rdo_2000, "Windows 2000", 113, "adobe\\AdbeRdr60_jpn_full.exe"},
        {&Rdo_Me, "Windows ME", 113, "adobe\\AdbeRdr60_jpn_full.exe"},
        {&Rdo_NtSP6, "Windows NT SP6", 221, "adobe\\AdbeRdr709_ja_JP_distrib.exe"},
        {&Rdo_NtSP5, "Windows NT SP5", 217, "adobe\\ar505jpn.exe"},
        {&Rdo_98SE, "Windows 98SE", 113, "adobe\\AdbeRdr60_jpn_full.exe"},
        {&Rdo_98, "Windows 98", 113, "adobe\\ar505jpn.exe"},
        {&Rdo_95, "Windows 95", 113, "adobe\\ar505jpn.exe"},
    };
    for (int i = 0; i < 13; ++i) {
        auto* button = new QRadioButton(QString::fromLatin1(designs[i].caption), GroupBox1);
        button->setGeometry(20, 20 + 20 * i, designs[i].width, 17);
        *designs[i].field = button;
        platforms_[i] = {button, designs[i].installer};
    }
    const char* lines[] = {" ",
                           "【免責事項】 ",
                           " ・ Adobe Readerインストールについて発生した",
                           "    あらゆる問題について、その予見可能性に",
                           "    かかわらず、当方 (ヴェルモラ株式会社)では",
                           "    一切の責任を負いません。 ",
                           " ・ Adobe Readerインストールに対する質問には",
                           "    お答えいたしかねる場合がございます。"};
    Memo1 = memo(this, lines, 8, QRect(4, 300, 293, 109), QColor(240, 240, 240), Qt::black, -12);
    Btn_Ccl = new QPushButton(qt_from_sjis("キャンセル"), this);
    Btn_Ccl->setGeometry(92, 416, 101, 53);
    Btn_Ins = new QPushButton(qt_from_sjis("インストール開始"), this);
    Btn_Ins->setGeometry(200, 416, 101, 53);
    Btn_Ins->setFont(make_font("ＭＳ ゴシック", -12));
    setTabOrder(Rdo_95, Btn_Ins);
    setTabOrder(Btn_Ins, Btn_Ccl);

    on_click(Btn_Ins, [this] { Btn_InsClick(Btn_Ins); });
    on_click(Btn_Ccl, [this] { Btn_CclClick(Btn_Ccl); });
}

void TFrm_Adb::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow(this);
}

// Every showing starts again at the first platform.
void TFrm_Adb::FormShow(QObject*)
{
    Rdo_Vst->setChecked(true);
}

void TFrm_Adb::Btn_InsClick(QObject*)
{
    for (const Platform& platform : platforms_) {
        if (platform.button->isChecked()) {
            ShellExecuteA(this, "open", platform.installer, nullptr, nullptr, SW_SHOW);
            break;
        }
    }
    close();
}

void TFrm_Adb::Btn_CclClick(QObject*)
{
    close();
}
