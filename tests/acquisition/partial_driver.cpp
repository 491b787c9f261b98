// Five of the six driver functions: SLExit is missing on purpose.
#include "steplink.h"

#include <cstring>

extern "C" {
void SLGetVersion(char* version, int32_t size)
{
    std::strncpy(version, "partial", size_t(size));
}
int32_t SLInit(void*, void*, const char*, int32_t)
{
    return 0;
}
int32_t SLStartAcqContinue(void)
{
    return 0;
}
int32_t SLReadPodoCG(float* x, float* y, float*, float*)
{
    *x = 1.0f;
    *y = 2.0f;
    return 0;
}
int32_t SLStopAcqContinue(void)
{
    return 0;
}
}
