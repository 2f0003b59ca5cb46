// The pay rules of payroll: its limits and the allowance and tax of a salary, pure functions
// kept here so that they can be checked on their own.
#pragma once

#include <limits>

inline constexpr int MAX_EMPLOYEES = 100;
inline constexpr double ALLOW1 = 6000000;
inline constexpr double ALLOW2 = 15000000;
inline constexpr double TAX_FREE = 8000000;

// The largest salary taken. With it, every amount of an employee and the company total of
// MAX_EMPLOYEES such employees stay inside the double range, so none is ever written as inf or
// nan: a total income is at most 125% of the salary.
inline constexpr double MAX_SALARY = 1e306;
static_assert(MAX_EMPLOYEES * 1.25 * MAX_SALARY < std::numeric_limits<double>::max());

// One rate applies to the whole salary, chosen by its tier.
inline double calculateAllowance(double salary) {
    if (salary < ALLOW1) {
        return 0.25 * salary;
    }
    if (salary <= ALLOW2) {
        return 0.15 * salary;
    }
    return 0.10 * salary;
}

inline double calculateTax(double totalIncome) {
    if (totalIncome <= TAX_FREE) {
        return 0;
    }
    return 0.10 * (totalIncome - TAX_FREE);
}
