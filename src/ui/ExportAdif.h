#pragma once

struct AppContext;

namespace ExportAdif {

// The whole export of the current station's log to <callsign>_DCF.adi in the
// data directory, then the message naming the file. False, after a message
// saying so, when the log cannot be read or the file cannot be written.
bool exporter(AppContext& ctx);

}  // namespace ExportAdif
