// The fixed order of the tables on the command line and in the JSON
// document. Each subsystem describes its own tables in its own file and adds
// them here with one line.
#include "rom/TableDesc.h"

namespace quorvex {

void AddMonsterTables(std::vector<TableDesc>& tables);
void AddMorphPackTables(std::vector<TableDesc>& tables);
void AddBattleAnimTables(std::vector<TableDesc>& tables);

const std::vector<TableDesc>& AllTables()
{
    static const std::vector<TableDesc> tables = [] {
        std::vector<TableDesc> t;
        AddMonsterTables(t);
        AddMorphPackTables(t);
        AddBattleAnimTables(t);
        return t;
    }();
    return tables;
}

} // namespace quorvex
