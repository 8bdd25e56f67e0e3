// The journal lists every call in order with every field and its answer.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <QImage>

#include "pdf_job.h"
#include "testsupport/pdf_probe.h"
#include "test_page.h"

namespace {

TEST(Journal, ListsTheCallsInOrderWithTheirValues)
{
    TempFolder dir;
    const std::string journal = dir.file("journal.txt");
    setenv("TOLVANE_JOURNAL", journal.c_str(), 1);
    QImage emblem = test_emblem();

    Prt_lin early = line_record(1, 2, 3, 4, 0.1);
    EXPECT_EQ(prt_lin_(&early), 0);  // no job yet
    ASSERT_EQ(print_pdf(
                  dir.file("journal.pdf"),
                  [&] {
                      Prt_lin lin = line_record(20.7, 10.7, 199.3, 10.7, 0.3);
                      prt_lin_(&lin);
                      Prt_rct rct = box_record(116.5, 50, 195, 54.75, grey);
                      prt_rct_(&rct);
                      Prt_txt txt = text_record(50, 204, 122, 4.5, "目安\"\tです", 11, 1, 5);
                      txt.atr4 = 1;
                      prt_txt_(&txt);
                      Rct_inf box{149, 27, 46, 5.9595};
                      prt_grf_(&box, 1, &emblem);
                      prt_grf_(&box, 1, nullptr);
                      prt_txt_(nullptr);
                      txt.str = nullptr;
                      prt_txt_(&txt);
                  },
                  "ゴム製品耐用年数計算書(試験)"),
              1);
    unsetenv("TOLVANE_JOURNAL");
    EXPECT_EQ(prt_lin_(&early), 0);  // not journalled any more

    const std::string job =
        u8"rsv=0 prm1=1 doc=\"ゴム製品耐用年数計算書(試験)\" pap=9 prm2=0 prm3=0 "
        u8"prm6=1 prm7=1 prm8=0";
    EXPECT_EQ(read_file(journal),
              "prt_lin_ lin_wid=0.1 lin_col=0x000000 lin_sty=0 x1=1 y1=2 x2=3 y2=4 -> 0\n"
              "ini_prt_ " +
                  job +
                  " -> 1\n"
                  "prt_lin_ lin_wid=0.3 lin_col=0x000000 lin_sty=0 x1=20.7 y1=10.7 x2=199.3 y2=10.7 -> 1\n"
                  "prt_rct_ lin_wid=0.3 lin_col=0x000000 lin_sty=0 fil_col=0xC0C0C0 fil_sty=0 "
                  "x1=116.5 y1=50 x2=195 y2=54.75 -> 1\n" +
                  std::string(u8"prt_txt_ x=50 y=204 wid=122 hgt=4.5 str=\"目安\\\"\\tです\" "
                              u8"aln_hrz=1 aln_vrt=5 fnt_nam=\"ＭＳ ゴシック\" fnt_siz=11 "
                              u8"atr1=0 atr2=0 atr3=0 atr4=1 atr5=0 -> 1\n") +
                  "prt_grf_ x=149 y=27 wid=46 hgt=5.9595 mod=1 pic=165x22 -> 1\n"
                  "prt_grf_ x=149 y=27 wid=46 hgt=5.9595 mod=1 pic=null -> 0\n"
                  "prt_txt_ null -> 0\n" +
                  std::string(u8"prt_txt_ x=50 y=204 wid=122 hgt=4.5 str=null aln_hrz=1 aln_vrt=5 "
                              u8"fnt_nam=\"ＭＳ ゴシック\" fnt_siz=11 atr1=0 atr2=0 atr3=0 atr4=1 "
                              u8"atr5=0 -> 0\n") +
                  "end_prt_ " + job + " -> 1\n");
}

TEST(Journal, ReservedBytesAndOddValuesAreWrittenExactly)
{
    TempFolder dir;
    const std::string journal = dir.file("journal.txt");
    setenv("TOLVANE_JOURNAL", journal.c_str(), 1);
    Prt_ini ini = job_record(nullptr);
    ini.rsv[0] = 0xAB;
    ini.rsv[35] = 0x01;
    ini.prm2 = -0.5;
    ini.prm8 = -7;
    setenv("TOLVANE_PDF", dir.file("missing/x.pdf").c_str(), 1);
    EXPECT_EQ(ini_prt_(&ini), 0);
    Prt_rct rct = box_record(0.1, 1e-3, 1e20, -2.5, -1);
    prt_rct_(&rct);
    unsetenv("TOLVANE_JOURNAL");
    EXPECT_EQ(read_file(journal), "ini_prt_ rsv=AB" + std::string(68, '0') +
                                      "01 prm1=1 doc=null pap=9 prm2=-0.5 "
                                      "prm3=0 prm6=1 prm7=1 prm8=-7 -> 0\n"
                                      "prt_rct_ lin_wid=0.3 lin_col=0x000000 lin_sty=0 fil_col=0xFFFFFFFF fil_sty=0 "
                                      "x1=0.1 y1=0.001 x2=1e+20 y2=-2.5 -> 0\n");
}

}  // namespace
