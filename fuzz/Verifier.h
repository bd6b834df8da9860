#pragma once
// Une propriété violée arrête le fuzzeur et garde l'entrée fautive.
#include <cstdio>
#include <cstdlib>

#define VERIFIER(condition)                                                                                  \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d : propriété violée : %s\n", __FILE__, __LINE__, #condition);         \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)
