// SIGTERM and SIGINT become a flag that the event loops turn into a close request.
#pragma once

namespace quorex::fltk {

void CatchCloseSignals();
bool CloseSignalled();

}  // namespace quorex::fltk
