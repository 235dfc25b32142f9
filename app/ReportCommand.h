#pragma once
// The editors' "Make report" buttons: the report goes into the current
// folder under its own name, and the user hears how it went.
#include "monsters/Reports.h"

class QWidget;

// Writes the report and shows "`ME_Form.txt' created" or "Can't create
// dump file!!". The caller stores the record it shows first.
void MakeReport(QWidget* parent, const quorvex::RomData& rd, quorvex::ReportKind kind);
