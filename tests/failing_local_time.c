/* Preloaded into tyx to make the local-time conversion fail, as it does when
 * the clock is set beyond what struct tm can hold. */
#include <errno.h>
#include <stddef.h>
#include <time.h>

struct tm *localtime_r(const time_t *timer, struct tm *result) {
  (void)timer;
  (void)result;
  errno = EOVERFLOW;
  return NULL;
}
