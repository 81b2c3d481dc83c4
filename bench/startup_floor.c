/* The least any program can do to print January 1800 as tyx does: the same
 * bytes in one write(2). Its cost is the start-up and exit of a dynamically
 * linked C program, the floor that tyx is measured against. */
#include <unistd.h>

static const char january_1800[] = "\n"
                                   "      Jan 1800\n"
                                   "          1  2  3  4 \n"
                                   " 5  6  7  8  9 10 11 \n"
                                   "12 13 14 15 16 17 18 \n"
                                   "19 20 21 22 23 24 25 \n"
                                   "26 27 28 29 30 31    \n";

int main(void) {
  const ssize_t size = sizeof january_1800 - 1;
  return write(STDOUT_FILENO, january_1800, (size_t)size) == size ? 0 : 1;
}
