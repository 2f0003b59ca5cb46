/* The reference for bench/hollowtri.sh: the same triangle, one putchar per character. */
#include <stdio.h>

int main(void) {
    int n = 0;
    printf("Nhap n: ");
    if (scanf("%d", &n) != 1) {
        return 1;
    }
    printf("OUTPUT:\n");
    for (int i = 0; i < n; i++) {
        for (int j = 0; j < i; j++) {
            putchar(' ');
        }
        for (int j = 0; j <= 2 * (n - i) - 2; j++) {
            putchar(i == 0 || j == 0 || j == 2 * (n - i - 1) ? '*' : ' ');
        }
        putchar('\n');
    }
    return 0;
}
