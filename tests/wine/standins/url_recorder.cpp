// A web-address handler for the tests: registered as the opener of http
// addresses, it appends the address it was asked to open to a file.
//   url_recorder RECORD-FILE ADDRESS
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    FILE* pFile = std::fopen(argv[1], "ab");
    if (pFile == nullptr) return 1;
    std::fprintf(pFile, "%s\n", argv[2]);
    return std::fclose(pFile) == 0 ? 0 : 1;
}
