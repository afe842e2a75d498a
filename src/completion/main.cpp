// SPDX-License-Identifier: GPL-3.0-or-later
// ferrovolt-completions: writes the shell completions of ferrovolt-calc into a folder, read
// from the commands and options the program itself declares.
// ferrovolt-completions OUTPUT_DIR

#include <fstream>
#include <iostream>
#include <sstream>

#include "cli/cli_app.h"
#include "command_model.h"

namespace {

bool write(const std::string& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary);
    file << text;
    return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: ferrovolt-completions OUTPUT_DIR\n";
        return 2;
    }
    ferrovolt::CompletionModel model;
    std::istringstream in;
    std::ostringstream out;
    const char* const args[] = {"ferrovolt-calc"};
    ferrovolt::runCli(1, args, in, out, std::cerr, [&model](const CLI::App& app) {
        model = ferrovolt::readCompletionModel(app);
    });
    if (model.commands.size() < 2) {
        std::cerr << "ferrovolt-completions: the program declared no commands\n";
        return 1;
    }
    const std::string dir = argv[1];
    const std::string program = model.program;
    if (!write(dir + "/" + program, ferrovolt::bashCompletion(model)) ||
        !write(dir + "/_" + program, ferrovolt::zshCompletion(model)) ||
        !write(dir + "/" + program + ".fish", ferrovolt::fishCompletion(model))) {
        std::cerr << "ferrovolt-completions: could not write into " << dir << '\n';
        return 1;
    }
    return 0;
}
