// The helper the program starts with administrator rights when it cannot
// replace its own settings file. Deliberately free of Qt and of any library
// beyond the standard one: the less an elevated process loads, the better.

#include "helper_request.h"

#include <iostream>

int main(int argc, char** argv)
{
    const std::vector<std::string> items(argv + 1, argv + argc);
    std::string reason;
    const HelperResult result = carryOut(items, reason);
    if (result != HelperResult::Done)
        std::cerr << "tarvo-helper: " << reason << '\n';
    return static_cast<int>(result);
}
