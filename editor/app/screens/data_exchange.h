// Carries the document's values into a screen's controls and back, row by
// row of the screen's binding table.
#ifndef KCG_APP_DATA_EXCHANGE_H
#define KCG_APP_DATA_EXCHANGE_H

#include <windows.h>

#include "bindings.h"
#include "document.h"

enum class Exchange { kToControls, kToDocument };

// One row: the control's value into the document, or the document's into the
// control. Values shown only (file name, revision) are not read back.
void ExchangeBinding(HWND dialog, const model::Binding &binding, model::Document &doc, Exchange direction);

// Every row of a table, in its order.
void ExchangeTable(HWND dialog, const model::BindingTable &table, model::Document &doc, Exchange direction);

#endif // KCG_APP_DATA_EXCHANGE_H
