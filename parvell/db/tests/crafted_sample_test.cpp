// Copies of the sample database made by hand, each a few coordinated edits
// that once hung Parvell or took its memory: a long value that many cells
// share, picture columns laid over one another, memo cells of text the code
// page lacks, a file cut short. Each ends in the data-access error naming
// what is wrong (a cut file misses the sample's own pages), under the same
// memory bound as the damaged copies.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include <testsupport/jet_pages.h>

#include "sample_copies.h"

using namespace jet_pages;

namespace {

struct Craft {
    const char* what;
    std::function<void(std::string& f)> apply;
    std::string refusal;  // the whole error text
};

// The long-value reference of column `c` in every row of the table defined on `definition`.
std::vector<size_t> references(const std::string& f, size_t definition, const Column& c)
{
    std::vector<size_t> at;
    for (size_t page : data_pages(f, definition))
        for (unsigned row = 0; row < row_count(f, page); ++row) {
            const auto field = variable_field(f, page, row, c.variable_number);
            if (field.second >= field.first + kReference)
                at.push_back(field.first);
        }
    return at;
}

const std::string kDamaged = "データベースが壊れています。テーブル ";
const std::string kReadTwice = "値の一部が二度読まれています (ほかの値と共有しているか、ページの連鎖が戻っています)。";

}  // namespace

TEST(CraftedSample, SharedPiecesOverlaidColumnsAndCutFilesEndInTheDataAccessError)
{
    SampleCopies copies;
    const std::string& sample = copies.sample();
    const size_t products = definition_with_column(sample, "Draft");
    const size_t related = definition_with_column(sample, "StartPath1");
    ASSERT_NE(products, 0u);
    ASSERT_NE(related, 0u);
    const std::vector<Column> cols = columns(sample, products);
    const Column &photo = *column_named(cols, "Photo"), &draft = *column_named(cols, "Draft");
    const Column& parts = *column_named(cols, "PartName");
    const std::vector<size_t> photos = references(sample, products, photo);
    const std::vector<size_t> drafts = references(sample, products, draft);
    const size_t related_photo = references(sample, related, *column_named(columns(sample, related), "Photo")).at(0);
    ASSERT_GE(photos.size(), 2u);

    const std::vector<Craft> crafts = {
        {"every picture of every product on the first one's chain",
         [&](std::string& f) {
             for (size_t at : photos)
                 f.replace(at, kReference, sample, photos[0], kReference);
             for (size_t at : drafts)
                 f.replace(at, kReference, sample, photos[0], kReference);
         },
         kDamaged + "'Mst_Product' の列 'Draft' の値: " + kReadTwice},
        {"both picture columns fixed at one offset",
         [&](std::string& f) {
             for (const Column* c : {&photo, &draft}) {
                 f[c->entry + kColumnFlags] = (char)(f[c->entry + kColumnFlags] | kFixedFlag);
                 put16(f, c->entry + kFixedOffset, 0);
                 put16(f, c->entry + kColumnSize, kReference);
             }
         },
         kDamaged + "'Mst_Product' の定義: 固定長の列 'ID' と 'Photo' が行の同じバイトを占めています。"},
        {"the drawing in the photo's place",
         [&](std::string& f) { put16(f, draft.entry + kVariableNumber, photo.variable_number); },
         kDamaged + "'Mst_Product' の定義: 可変長の列 'Photo' と 'Draft' が行の同じ位置を指しています。"},
        {"the parts made a memo of every row on one chain of pictures' bytes",
         [&](std::string& f) {
             f[parts.entry] = (char)kMemoType;
             for (size_t at : references(f, products, parts))
                 f.replace(at, kReference, sample, related_photo, kReference);
         },
         kDamaged + "'Mst_Product' の列 'PartName' の値: " + kReadTwice},
        {"cut at 64 KiB", [](std::string& f) { f.resize(64 * 1024); },
         kDamaged + "'Mst_Pipe' の行: ページ 16 がファイルの外にあります (ファイルが途中で切れています)。"},
        {"cut at 128 KiB", [](std::string& f) { f.resize(128 * 1024); },
         kDamaged + "'Mst_Product' の行: ページ 54 がファイルの外にあります (ファイルが途中で切れています)。"},
        {"cut at 192 KiB", [](std::string& f) { f.resize(192 * 1024); },
         kDamaged + "'Mst_Product' の行: ページ 54 がファイルの外にあります (ファイルが途中で切れています)。"},
    };

    for (const Craft& craft : crafts) {
        std::string file = sample;
        craft.apply(file);
        EXPECT_EQ(copies.load(file), craft.refusal) << craft.what;
    }
}
