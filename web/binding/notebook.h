#pragma once

#include "notebook/notebook_history.h"

namespace gelvor::web {

// The page's one notebook, as the class records it.
NotebookHistory& notebook_history();

}  // namespace gelvor::web
