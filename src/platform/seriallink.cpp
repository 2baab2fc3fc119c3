#include "platform/seriallink.h"
