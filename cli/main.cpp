#include <iostream>

#include "cli/cli_support.hpp"

int main(int argc, char** argv) { return zun::cli::Run(argc, argv, std::cout, std::cerr); }
