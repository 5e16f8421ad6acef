#include "engine/modFuncionesTorvel.h"
