// cgt: the command-line tool for the return data files.
#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>

#include "command.h"

int main(int argc, char** argv) {
    // Past a file size limit a write fails, to be reported, rather than
    // ending the program with the file cut and nothing said.
    std::signal(SIGXFSZ, SIG_IGN);
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv, argv + argc);
    cgt::cli::Io io{std::cin, std::cout, std::cerr};
    const int status = cgt::cli::Main(args, io);
    errno = 0;
    std::cout.flush();
    if (std::cout) return status;
    // A listing cut short (a full disk, a closed pipe) is a failure to say.
    const int error = errno ? errno : EIO;
    std::cerr << "cgt" << (argc > 1 ? std::string(" ") + argv[1] : std::string())
              << ": cannot write standard output: " << std::strerror(error) << '\n';
    return 1;
}
