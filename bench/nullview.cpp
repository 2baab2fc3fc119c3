#include "nullview.h"
