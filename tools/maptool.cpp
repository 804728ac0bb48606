// gearhaven-maptool: reads, checks, writes and runs map files without a window.
#include <cstdio>
#include <string_view>

namespace {

int usage()
{
    std::fputs("usage: gearhaven-maptool fresh | check FILE | roundtrip FILE | run FILE SECONDS\n", stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) return usage();
    std::string_view command = argv[1];
    (void)command;
    return usage();
}
