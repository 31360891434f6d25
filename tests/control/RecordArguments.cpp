// Stands in for the updater: writes its arguments, one a line, to the file
// named by RECORD_ARGUMENTS_TO and ends.
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    const char* path = std::getenv("RECORD_ARGUMENTS_TO");
    if (!path) {
        return 2;
    }
    std::FILE* file = std::fopen(path, "w");
    if (!file) {
        return 1;
    }
    for (int i = 1; i < argc; ++i) {
        std::fprintf(file, "%s\n", argv[i]);
    }
    std::fclose(file);
    return 0;
}
