// The four statistics of numstats: each reads elements 0 to n-1 of arr and changes nothing.
#pragma once

#include <cstdint>

// The sum is 64-bit so that it is exact: a thousand 32-bit values can overflow 32 bits.
inline std::int64_t sum(const int* arr, int n) {
    std::int64_t s = 0;
    for (int i = 0; i < n; ++i) {
        s += arr[i];
    }
    return s;
}

// Single precision on purpose: the average is written with about seven significant digits,
// so 1000000, 0, 0 average 333333.34. Needs n of 1 or more.
inline float average(const int* arr, int n) {
    return static_cast<float>(sum(arr, n)) / static_cast<float>(n);
}

// Starts from element 0, not from 0, so a list of negative values has a negative maximum.
// Needs n of 1 or more.
inline int Max(const int* arr, int n) {
    int m = arr[0];
    for (int i = 1; i < n; ++i) {
        if (arr[i] > m) {
            m = arr[i];
        }
    }
    return m;
}

// Needs n of 1 or more.
inline int Min(const int* arr, int n) {
    int m = arr[0];
    for (int i = 1; i < n; ++i) {
        if (arr[i] < m) {
            m = arr[i];
        }
    }
    return m;
}
