#include "last_api_result.h"

std::int64_t LastApiResult = 0;
