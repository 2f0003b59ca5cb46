/* The reference for bench/numstats.sh: the same run written plainly with C stdio. It takes
 * only a well-formed list: any other ends it with status 1 and no message. */
#include <stdio.h>

#define MAX_VALUES 1000

int main(void) {
    int arr[MAX_VALUES];
    int n = 0;
    FILE* fin = fopen("input.txt", "r");
    if (fin == NULL) {
        printf("File input.txt is not opened\n");
        return 1;
    }
    if (fscanf(fin, "%d", &n) != 1 || n <= 0 || n > MAX_VALUES) {
        return 1;
    }
    for (int i = 0; i < n; i++) {
        if (fscanf(fin, "%d", &arr[i]) != 1) {
            return 1;
        }
    }
    fclose(fin);

    long long sum = 0;
    int max = arr[0];
    int min = arr[0];
    for (int i = 0; i < n; i++) {
        sum += arr[i];
        if (arr[i] > max) {
            max = arr[i];
        }
        if (arr[i] < min) {
            min = arr[i];
        }
    }
    float average = (float)sum / (float)n;

    FILE* fout = fopen("output1.txt", "w");
    if (fout == NULL) {
        return 1;
    }
    fprintf(fout, "Sum: %lld\nAverage: %.2f\nMax: %d\nMin: %d\n", sum, (double)average, max, min);
    if (fclose(fout) != 0) {
        return 1;
    }
    printf("Results are writen to file output.txt\n");
    return 0;
}
