#include "operator.h"
