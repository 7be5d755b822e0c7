// Resource ids that only the benchmark carries.
#pragma once

#define IDR_LITERAL_FRAGMENT_SHADER 236
