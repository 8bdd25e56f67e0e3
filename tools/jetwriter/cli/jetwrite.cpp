// jetwrite: builds a Jet 4 database file from a source text.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "jetwriter/jetwriter.h"

namespace {

void usage(std::FILE* out)
{
    std::fprintf(out,
                 "usage: jetwrite [--password TEXT] [--files DIR] [--depfile FILE] SOURCE OUTPUT\n"
                 "\n"
                 "Writes the database that SOURCE describes to OUTPUT, a Jet 4 (Access 2000) .mdb file.\n"
                 "On any error it names the source line, leaves no output behind and exits with 1.\n"
                 "\n"
                 "  --password TEXT  database password (instead of the source's password statement)\n"
                 "  --files DIR      folder that file(...) values are relative to (default: SOURCE's folder)\n"
                 "  --depfile FILE   also write FILE, a make rule naming the files OUTPUT was made from\n"
                 "\n"
                 "%s",
                 jetwriter::source_format_help());
}

// Spaces and other characters that end a name in a make rule are escaped.
std::string make_escaped(const std::string& path)
{
    std::string out;
    for (char c : path) {
        if (c == ' ' || c == '#' || c == '\\')
            out += '\\';
        else if (c == '$')
            out += '$';
        out += c;
    }
    return out;
}

bool write_depfile(const std::string& depfile, const std::string& output, const std::vector<std::string>& inputs)
{
    std::ofstream out(depfile);
    out << make_escaped(output) << ":";
    for (const std::string& input : inputs)
        out << " \\\n  " << make_escaped(input);
    out << "\n";
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv)
{
    std::string password, files_dir, depfile;
    bool have_password = false;
    std::vector<std::string> paths;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        auto option_value = [&](std::string& target) {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "jetwrite: %s needs a value\n", arg);
                std::exit(2);
            }
            target = argv[++i];
        };
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            usage(stdout);
            return 0;
        } else if (std::strcmp(arg, "--password") == 0) {
            option_value(password);
            have_password = true;
        } else if (std::strcmp(arg, "--files") == 0) {
            option_value(files_dir);
        } else if (std::strcmp(arg, "--depfile") == 0) {
            option_value(depfile);
        } else if (arg[0] == '-' && arg[1] != '\0') {
            std::fprintf(stderr, "jetwrite: unknown option %s\n\n", arg);
            usage(stderr);
            return 2;
        } else {
            paths.push_back(arg);
        }
    }
    if (paths.size() != 2) {
        usage(stderr);
        return 2;
    }
    const std::string& source = paths[0];
    const std::string& output = paths[1];
    std::vector<std::string> inputs;
    try {
        jetwriter::Database database = jetwriter::read_source(source, files_dir, &inputs);
        if (have_password)
            database.password = password;
        jetwriter::write_database(database, output);
    } catch (const jetwriter::Error& e) {
        if (e.line() > 0)
            std::fprintf(stderr, "jetwrite: %s:%d: %s\n", source.c_str(), e.line(), e.what());
        else
            std::fprintf(stderr, "jetwrite: %s: %s\n", source.c_str(), e.what());
        return 1;
    }
    if (!depfile.empty() && !write_depfile(depfile, output, inputs)) {
        std::fprintf(stderr, "jetwrite: cannot write %s\n", depfile.c_str());
        return 1;
    }
    return 0;
}
