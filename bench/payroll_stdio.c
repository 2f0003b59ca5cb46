/* The reference for bench/payroll.sh: the same dialogue written plainly with C stdio, one
 * fgets of at most 127 characters an answer, which flushes nothing before a read when standard
 * output is not a terminal. It reads numbers with sscanf, so it matches payroll only on plain
 * decimal answers. */
#include <stdio.h>
#include <stdlib.h>

#define MAX_EMPLOYEES 100
#define ALLOW1 6000000.0
#define ALLOW2 15000000.0
#define TAX_FREE 8000000.0

static void readAnswer(char* buf, int size) {
    if (fgets(buf, size, stdin) == NULL) {
        printf("Loi IO. Thoat.\n");
        exit(1);
    }
}

static int inputInt(const char* msg, int min, int max) {
    char buf[128];
    int val = 0;
    for (;;) {
        printf("%s", msg);
        readAnswer(buf, sizeof buf);
        if (sscanf(buf, "%d", &val) != 1) {
            printf("Nhap khong hop le. Vui long nhap so nguyen.\n");
        } else if (val < min || val > max) {
            printf("Gia tri phai nam trong [%d - %d]. Vui long nhap lai.\n", min, max);
        } else {
            return val;
        }
    }
}

static double inputDoubleNonNegative(const char* msg) {
    char buf[128];
    double val = 0;
    for (;;) {
        printf("%s", msg);
        readAnswer(buf, sizeof buf);
        if (sscanf(buf, "%lf", &val) != 1) {
            printf("Nhap khong hop le. Vui long nhap so.\n");
        } else if (val < 0) {
            printf("Gia tri phai >= 0. Vui long nhap lai.\n");
        } else {
            return val;
        }
    }
}

static double calculateAllowance(double salary) {
    if (salary < ALLOW1) {
        return 0.25 * salary;
    }
    if (salary <= ALLOW2) {
        return 0.15 * salary;
    }
    return 0.10 * salary;
}

static double calculateTax(double totalIncome) {
    return totalIncome <= TAX_FREE ? 0 : 0.10 * (totalIncome - TAX_FREE);
}

int main(void) {
    double totalCompanyCost = 0;
    int count25 = 0;
    int count15 = 0;
    int count10 = 0;
    int n = inputInt("Nhap so nhan vien (1-100): ", 1, MAX_EMPLOYEES);
    printf("\n===== CHI TIET LUONG NHAN VIEN =====\n");
    for (int i = 1; i <= n; i++) {
        printf("\n--- Nhan vien %d ---\n", i);
        double salary = inputDoubleNonNegative("Nhap luong co ban: ");
        double allowance = calculateAllowance(salary);
        double totalIncome = salary + allowance;
        double tax = calculateTax(totalIncome);
        double netIncome = totalIncome - tax;
        printf("Luong co ban: %.2f\nPhu cap: %.2f\nTong thu nhap: %.2f\nThue: %.2f\n"
               "Thu nhap thuc nhan: %.2f\n",
               salary, allowance, totalIncome, tax, netIncome);
        totalCompanyCost += netIncome;
        if (salary < ALLOW1) {
            count25++;
        } else if (salary <= ALLOW2) {
            count15++;
        } else {
            count10++;
        }
    }
    printf("\n===== THONG KE CONG TY =====\nTong chi phi luong: %.2f\n", totalCompanyCost);
    printf("So nhan vien phu cap 25%%: %d\nSo nhan vien phu cap 15%%: %d\n", count25, count15);
    printf("So nhan vien phu cap 10%%: %d\n", count10);
    return 0;
}
