#include "last_api_result.h"

std::int64_t lastApiResult = 0;
