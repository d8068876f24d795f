#include "study/decision/documents/worked_solution.h"
