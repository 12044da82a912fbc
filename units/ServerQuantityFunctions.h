#pragma once

// The database's scalar functions GetFinalQty, GetFinalQtyRoundUp and FORMAT, registered for
// the embedded engine so that both engines answer the same statements.
namespace modSystem_TORVO {

void RegisterServerFunctions();

} // namespace modSystem_TORVO
