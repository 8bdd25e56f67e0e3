// jetwriter_bench SOURCE FILES_DIR [OUTPUT_DIR]
//
// Times writing the sample product database from its source, and writing a
// database 50 times larger made from it (every table but Version repeated
// with shifted keys: more pipes, places, products, sizes, conditions and
// display rows). Prints the figures; measures, asserts nothing about time.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "jetwriter/jetwriter.h"

namespace {

using Clock = std::chrono::steady_clock;

double milliseconds_since(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Keys and references are the Long columns named ID or ending in ID; the
// comma-separated key lists of the display rules are Text columns ending in ID.
bool is_key(const jetwriter::Column& column)
{
    const std::string& name = column.name;
    return name.size() >= 2 && name.compare(name.size() - 2, 2, "ID") == 0;
}

std::string shifted_list(const std::string& list, long offset)
{
    std::string out;
    size_t start = 0;
    while (start < list.size()) {
        size_t comma = list.find(',', start);
        if (comma == std::string::npos)
            comma = list.size();
        if (!out.empty())
            out += ',';
        out += std::to_string(std::stol(list.substr(start, comma - start)) + offset);
        start = comma + 1;
    }
    return out;
}

jetwriter::Database enlarged(const jetwriter::Database& sample, int copies)
{
    const long kStride = 100000;
    jetwriter::Database big = sample;
    for (jetwriter::Table& table : big.tables) {
        if (table.name == "Version")
            continue;
        const std::vector<jetwriter::Row> original = table.rows;
        table.rows.clear();
        for (int copy = 0; copy < copies; ++copy) {
            for (const jetwriter::Row& row : original) {
                std::vector<jetwriter::Value> values = row.values;
                for (size_t c = 0; c < table.columns.size(); ++c) {
                    if (!is_key(table.columns[c]) || values[c].is_null())
                        continue;
                    if (values[c].kind() == jetwriter::Value::Kind::Integer)
                        values[c] = values[c].integer() + copy * kStride;
                    else if (values[c].kind() == jetwriter::Value::Kind::Text)
                        values[c] = jetwriter::Value::utf8(shifted_list(values[c].text(), copy * kStride));
                }
                table.add_row(std::move(values));
            }
        }
    }
    return big;
}

size_t row_count(const jetwriter::Database& database)
{
    size_t rows = 0;
    for (const jetwriter::Table& table : database.tables)
        rows += table.rows.size();
    return rows;
}

long file_size(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? static_cast<long>(st.st_size) : -1;
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: jetwriter_bench SOURCE FILES_DIR [OUTPUT_DIR]\n");
        return 2;
    }
    const std::string source = argv[1], files_dir = argv[2], out_dir = argc > 3 ? argv[3] : ".";
    const std::string sample_path = out_dir + "/bench_sample.mdb", big_path = out_dir + "/bench_large.mdb";
    try {
        const int kRuns = 5;
        std::vector<double> sample_times;
        jetwriter::Database sample;
        for (int run = 0; run < kRuns; ++run) {
            const Clock::time_point start = Clock::now();
            sample = jetwriter::read_source(source, files_dir);
            jetwriter::write_database(sample, sample_path);
            sample_times.push_back(milliseconds_since(start));
        }
        std::printf(
            "sample database: %zu rows in %zu tables, %ld bytes; source read and file written in %.1f ms "
            "(median of %d)\n",
            row_count(sample), sample.tables.size(), file_size(sample_path), median(sample_times), kRuns);

        const int kCopies = 50;
        const jetwriter::Database big = enlarged(sample, kCopies);
        std::vector<double> big_times;
        for (int run = 0; run < 3; ++run) {
            const Clock::time_point start = Clock::now();
            jetwriter::write_database(big, big_path);
            big_times.push_back(milliseconds_since(start));
        }
        std::printf("%dx database: %zu rows, %ld bytes; written in %.1f ms (median of 3)\n", kCopies, row_count(big),
                    file_size(big_path), median(big_times));
    } catch (const jetwriter::Error& e) {
        std::fprintf(stderr, "jetwriter_bench: %s\n", e.what());
        return 1;
    }
    std::remove(sample_path.c_str());
    std::remove(big_path.c_str());
    return 0;
}
