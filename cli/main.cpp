// cgt: the command-line tool for the return data files.
#include <iostream>

#include "command.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv, argv + argc);
    cgt::cli::Io io{std::cin, std::cout, std::cerr};
    const int status = cgt::cli::Main(args, io);
    std::cout.flush();
    return std::cout ? status : 1;
}
