// The fixed order of the tables on the command line and in the JSON
// document. Each subsystem describes its own tables in its own file and adds
// them here with one line.
#include "rom/TableDesc.h"

namespace quorvex {

void AddMorphPackTables(std::vector<TableDesc>& tables);
void AddFormationTables(std::vector<TableDesc>& tables);

const std::vector<TableDesc>& AllTables()
{
    static const std::vector<TableDesc> tables = [] {
        std::vector<TableDesc> t;
        AddMorphPackTables(t);
        AddFormationTables(t);
        return t;
    }();
    return tables;
}

} // namespace quorvex
