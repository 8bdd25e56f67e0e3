// Benchmark: open a product database and load all nine tables as the main
// window does at start, many times in one process so that the process's own
// start counts for nothing, and print the time of one load.
//   parvell_db_bench [-n LOADS] [FILE...]
// Without files it writes product-shaped databases at scales 1 and 50 into
// /tmp first; with files it loads those (password: the program's own).
// LOADS (default 500) loads follow one that is not timed.
#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "Ado_dbss.h"
#include "../tests/product_db.h"
#include "../tests/product_lists.h"

namespace {

using Clock = std::chrono::steady_clock;

// One start: open, the six loaders (nine tables), the version. Milliseconds.
double load_once(const std::string& path, bool report)
{
    ProductLists l;
    char dvr[VER_LEN] = "???";
    auto start = Clock::now();
    cur_dbs = ado_opn_(path.c_str(), "Admin", "q7154mvk--tpa");
    if (!cur_dbs) {
        fprintf(stderr, "cannot open %s\n", path.c_str());
        exit(1);
    }
    int ok = lod_plc_(&l.pip) && lod_pdt_(&l.prd) && lod_cdt_(&l.cgp) && lod_ppl_(&l.ppl) && lod_cds_(&l.cds) &&
             lod_rpd_(&l.rpd);
    lod_ver_(dvr);
    double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (report) {
        int places = 0, sizes = 0, conditions = 0;
        for (Lnk_inf* n = _nxt_lnk_(&l.pip, nullptr); n; n = _nxt_lnk_(&l.pip, n))
            places += _cnt_lnk_(&((Pip_inf*)LNK_DAT(n))->plc);
        for (Lnk_inf* n = _nxt_lnk_(&l.prd, nullptr); n; n = _nxt_lnk_(&l.prd, n))
            sizes += _cnt_lnk_(&((Prd_inf*)LNK_DAT(n))->pdt);
        for (Lnk_inf* n = _nxt_lnk_(&l.cgp, nullptr); n; n = _nxt_lnk_(&l.cgp, n))
            conditions += _cnt_lnk_(&((Cgp_inf*)LNK_DAT(n))->cdt);
        printf(
            "  %s: loaded=%d pipes=%d places=%d products=%d sizes=%d groups=%d "
            "conditions=%d product-places=%d displays=%d related=%d version=%s (%.1f MB)\n",
            path.c_str(), ok, _cnt_lnk_(&l.pip), places, _cnt_lnk_(&l.prd), sizes, _cnt_lnk_(&l.cgp), conditions,
            _cnt_lnk_(&l.ppl), _cnt_lnk_(&l.cds), _cnt_lnk_(&l.rpd), dvr, std::filesystem::file_size(path) / 1e6);
    }
    cls_dbs_();
    l.free_all();
    return ms;
}

jetwriter::Bytes blob(size_t size, int seed)
{
    jetwriter::Bytes b(size);
    for (size_t i = 0; i < size; ++i)
        b[i] = (unsigned char)(i * 31 + (size_t)seed);
    return b;
}

// A database shaped like the sample, every table s times as large.
void write_scaled(int s, const std::string& path)
{
    ProductDb db;
    int place = 0, pp = 0, cd = 0;
    for (int p = 1; p <= 3 * s; ++p) {
        db.add("Mst_Pipe", {{"ID", p}, {"Name", "配管"}});
        for (int k = 0; k < 3; ++k)
            db.add("Mst_Place", {{"ID", ++place}, {"Mst_PipeID", p}, {"Name", "設置場所"}});
    }
    for (int p = 1; p <= 6 * s; ++p) {
        db.add("Mst_Product", {{"ID", p},
                               {"Name", "製品"},
                               {"Life", 10.0},
                               {"Dimension1", "寸法"},
                               {"Photo", blob(20000, p)},
                               {"Draft", blob(30000, p)},
                               {"PartName", "本体,フランジ"},
                               {"MaterialName", "EPDM,SS400"},
                               {"PartCnt", "1,2"},
                               {"URL", "product.pdf"}});
        for (int d = 0; d < 10; ++d)
            db.add("Mst_ProductDetail", {{"ID", p * 100 + d},
                                         {"Mst_ProductID", p},
                                         {"Diameter", std::to_string(50 + 25 * d) + "A"},
                                         {"Length", "150"},
                                         {"MX", 1.0},
                                         {"PX", 2.0},
                                         {"Y", 3.0},
                                         {"Press", 1.5}});
    }
    for (int g = 1; g <= 5 * s; ++g) {
        db.add("Mst_ConditionGroup", {{"ID", g}, {"Detail", "条件"}});
        for (int c = 0; c < 5; ++c)
            db.add("Mst_Condition", {{"ID", g * 10 + c},
                                     {"Mst_ConditionGroupID", g},
                                     {"Detail", "%.1f以下"},
                                     {"Factor", 0.9},
                                     {"DisplayValue", 1.0},
                                     {"DisplayValueType", c % 4}});
    }
    for (int pl = 1; pl <= place; ++pl)
        for (int k = 0; k < 2; ++k) {
            db.add("Mst_ProductPlace", {{"ID", ++pp}, {"Mst_PlaceID", pl}, {"Mst_ProductID", (pl + k) % (6 * s) + 1}});
            for (int c = 0; c < 15; ++c)
                db.add("Mst_ConditionDisplay", {{"ID", ++cd},
                                                {"Mst_ConditionID", 10 + c},
                                                {"Mst_ProductPlaceID", pp},
                                                {"Invalidate", c == 14 ? 1 : 0}});
        }
    for (int r = 1; r <= 4 * s; ++r)
        db.add("Mst_RelatedProduct", {{"ID", r},
                                      {"Name", "関連"},
                                      {"Photo", blob(15000, r)},
                                      {"StartCaption1", "計算"},
                                      {"StartPath1", "Dunmere"}});
    for (int r = 1; r <= 20 * s; ++r)
        db.add("Mst_RelatedProductDisplay", {{"ID", r},
                                             {"Mst_ConditionDisplayID", "1,2,3"},
                                             {"Mst_ConditionDisplayIDCnt", 3},
                                             {"Mst_RelatedProductID", r % (4 * s) + 1},
                                             {"Invalidate", 0}});
    db.add("Version", {{"Version", "1.0.0"}});
    db.write(path);
}

void bench(const std::string& path, int loads)
{
    load_once(path, true);
    std::vector<double> times;
    double total = 0;
    for (int i = 0; i < loads; ++i) {
        times.push_back(load_once(path, false));
        total += times.back();
    }
    std::sort(times.begin(), times.end());
    printf("  open + nine tables, one load: mean %.3f ms, median %.3f ms, best %.3f ms (%d loads)\n", total / loads,
           times[times.size() / 2], times.front(), loads);
}

}  // namespace

int main(int argc, char** argv)
{
    int loads = 500;
    int first = 1;
    if (argc > 2 && std::string(argv[1]) == "-n") {
        loads = std::max(1, atoi(argv[2]));
        first = 3;
    }
    std::vector<std::string> files(argv + first, argv + argc);
    if (files.empty()) {
        for (int scale : {1, 50}) {
            std::string path = "/tmp/velmora-bench-x" + std::to_string(scale) + ".mdb";
            auto start = Clock::now();
            write_scaled(scale, path);
            printf("scale %d written in %.0f ms\n", scale,
                   std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            files.push_back(path);
        }
    }
    for (const std::string& f : files)
        bench(f, loads);
    return 0;
}
