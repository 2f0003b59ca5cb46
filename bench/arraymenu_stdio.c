/* The reference for bench/arraymenu.sh: the same dialogue written plainly with C stdio, which
   flushes nothing before a read when standard output is not a terminal. */
#include <stdio.h>

#define MAX_SIZE 100

int main(void) {
    int arr[MAX_SIZE];
    int size = 0;
    int choice = 0;
    for (;;) {
        printf("---menu---\n1. nhap data\n2. hien  data\n3. tim 1 so\n4. tinh toan\n5 exit\n");
        if (scanf("%d", &choice) != 1) {
            return 1;
        }
        if (choice == 1) {
            int n = 0;
            printf("Enter number of elements (1 to %d): ", MAX_SIZE);
            if (scanf("%d", &n) != 1) {
                return 1;
            }
            if (n < 1 || n > MAX_SIZE) {
                printf("Invalid size. Must be between 1 and %d.\n", MAX_SIZE);
                continue;
            }
            size = n;
            for (int i = 0; i < n; i++) {
                printf("Enter element %d: ", i + 1);
                if (scanf("%d", &arr[i]) != 1) {
                    return 1;
                }
            }
            printf("Data input completed!\n");
        } else if (choice == 2) {
            if (size == 0) {
                printf("khong co du lieu . vui long nhap du lieu truoc\n");
                continue;
            }
            printf("Array elements: ");
            for (int i = 0; i < size; i++) {
                printf("%d ", arr[i]);
            }
            printf("\n");
        } else if (choice == 3) {
            int target = 0;
            int index = -1;
            if (size == 0) {
                printf("khong co data . vui long nhap data truoc\n");
                continue;
            }
            printf("nhap so muon tim \n");
            if (scanf("%d", &target) != 1) {
                return 1;
            }
            for (int i = 0; i < size; i++) {
                if (arr[i] == target) {
                    index = i;
                    break;
                }
            }
            if (index == -1) {
                printf("so %d khong tim thay trong mang \n", target);
            } else {
                printf("tim thay so %d trong mang %d.\n", target, index);
            }
        } else if (choice == 4) {
            long long sum = 0;
            int max = 0;
            int min = 0;
            if (size == 0) {
                printf("khong co data de tinh . vui long nhap data truoc\n");
                continue;
            }
            max = arr[0];
            min = arr[0];
            for (int i = 0; i < size; i++) {
                sum += arr[i];
                if (arr[i] > max) {
                    max = arr[i];
                }
                if (arr[i] < min) {
                    min = arr[i];
                }
            }
            printf("Sum = %lld\nAverage = %.2f\nMaximum = %d\nMinimum = %d\n", sum,
                   (double)sum / size, max, min);
        } else if (choice == 5) {
            printf("thoat chuong trinh\n");
            return 0;
        }
    }
}
