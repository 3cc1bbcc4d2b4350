/* Compiled as plain C and linked against libkeldor.so: the public header stays
 * C, and every operation it declares is exported under its own name with
 * exactly these argument lists. */
#include <stdio.h>

#include "keldor.h"

int main(void) {
  void (*setopt)(const int32_t *, const int32_t *, const int32_t *, const int32_t *,
                 const int32_t *, const int32_t *) = SETOPT;
  void (*setmat)(const float *, const float *, const float *, const float *, const float *,
                 const float *) = SETMAT;
  void (*setpi)(const float *, const float *, const float *) = SETPI;
  void (*setlf)(const float *, const float *, const float *, const float *, const float *,
                const float *) = SETLF;
  void (*setirr)(const float *, const float *) = SETIRR;
  void (*setsur)(const float *, const float *, const float *, const float *,
                 const float *) = SETSUR;
  void (*condll)(const char *, const char *, const char *, const char *, const char *) = CONDLL;
  void (*written)(int32_t *, int32_t *, char *) = KELDOR_WRITTEN;
  const void *all[] = {(const void *)setopt, (const void *)setmat, (const void *)SETSP,
                       (const void *)SETLC,  (const void *)SETSCON, (const void *)SETWCON,
                       (const void *)SETRCON, (const void *)SETSF, (const void *)SETPF,
                       (const void *)setpi,  (const void *)setlf,  (const void *)setirr,
                       (const void *)setsur, (const void *)condll, (const void *)written,
                       (const void *)GETRUN, (const void *)GETGEO, (const void *)GETEF,
                       (const void *)GETCHK, (const void *)GETMSG, (const void *)GETPIL};
  for (unsigned i = 0; i < sizeof all / sizeof all[0]; ++i)
    if (all[i] == 0) {
      printf("export %u missing\n", i);
      return 1;
    }
  return 0;
}
