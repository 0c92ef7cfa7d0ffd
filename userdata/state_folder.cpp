#include "userdata/state_folder.h"

std::string StateFilePath(const std::string& stateHome, const std::string& home, std::string_view name)
{
    // Built by append: GCC 12 at -O3 warns falsely (-Wrestrict) about
    // `a + "literal" + b` here.
    std::string path;
    if (stateHome.starts_with('/')) {
        path = stateHome;
    } else if (home.starts_with('/')) {
        path = home;
        path += "/.local/state";
    } else {
        return path;
    }
    path += name;
    return path;
}
