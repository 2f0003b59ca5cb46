/* The reference for bench/dailysales.sh: the same menu dialogue written plainly with C stdio,
 * which flushes nothing itself. It takes only well-formed answers: any other input ends it. */
#include <stdio.h>

#define MAX_DAYS 100

typedef struct {
    int sales[MAX_DAYS];
    int count;
} SalesData;

static int readInt(int* value) {
    return scanf("%d", value) == 1;
}

static int inputSales(SalesData* data) {
    do {
        printf("Enter number of days (1 - %d): ", MAX_DAYS);
        if (!readInt(&data->count)) {
            return 0;
        }
    } while (data->count < 1 || data->count > MAX_DAYS);
    for (int i = 0; i < data->count; i++) {
        printf("Day %d sales: ", i + 1);
        if (!readInt(&data->sales[i])) {
            return 0;
        }
    }
    return 1;
}

static void displaySales(SalesData data) {
    printf("\n--- Sales Data ---\n");
    for (int i = 0; i < data.count; i++) {
        printf("Day %d: %d\n", i + 1, data.sales[i]);
    }
}

static void writeFigures(SalesData data) {
    for (int i = 0; i < data.count; i++) {
        printf("%d ", data.sales[i]);
    }
    printf("\n");
}

static void sortAscending(SalesData data) {
    for (int i = 0; i < data.count - 1; i++) {
        for (int j = i + 1; j < data.count; j++) {
            if (data.sales[i] > data.sales[j]) {
                int temp = data.sales[i];
                data.sales[i] = data.sales[j];
                data.sales[j] = temp;
            }
        }
    }
    printf("\n--- Sales Data Ascending ---\n");
    writeFigures(data);
}

static void sortDescending(SalesData data) {
    for (int i = 0; i < data.count - 1; i++) {
        for (int j = i + 1; j < data.count; j++) {
            if (data.sales[i] < data.sales[j]) {
                int temp = data.sales[i];
                data.sales[i] = data.sales[j];
                data.sales[j] = temp;
            }
        }
    }
    printf("\n--- Sales Data Descending ---\n");
    writeFigures(data);
}

static void searchGreaterThan(SalesData data, int target) {
    int found = 0;
    printf("\n--- Sales Greater Than %d ---\n", target);
    for (int i = 0; i < data.count; i++) {
        if (data.sales[i] > target) {
            printf("Day %d: %d\n", i + 1, data.sales[i]);
            found = 1;
        }
    }
    if (!found) {
        printf("No sales greater than %d found.\n", target);
    }
}

int main(void) {
    SalesData data;
    int hasData = 0;
    int choice = 0;
    int target = 0;
    do {
        printf("\n=== Enhanced Sales Data Management Menu ===\n");
        printf("1. Input Sales Data\n");
        printf("2. Display Sales Data\n");
        printf("3. Sort Sales Data in Ascending Order\n");
        printf("4. Sort Sales Data in Descending Order\n");
        printf("5. Search for Sales Greater Than a Target\n");
        printf("6. Exit\n");
        printf("Enter your choice: ");
        if (!readInt(&choice)) {
            return 1;
        }
        if (choice >= 2 && choice <= 5 && !hasData) {
            printf("Please input sales data first!\n");
            continue;
        }
        switch (choice) {
        case 1:
            if (!inputSales(&data)) {
                return 1;
            }
            hasData = 1;
            break;
        case 2:
            displaySales(data);
            break;
        case 3:
            sortAscending(data);
            break;
        case 4:
            sortDescending(data);
            break;
        case 5:
            printf("Enter target: ");
            if (!readInt(&target)) {
                return 1;
            }
            searchGreaterThan(data, target);
            break;
        case 6:
            printf("Exiting program...\n");
            break;
        default:
            printf("Invalid choice! Please try again.\n");
        }
    } while (choice != 6);
    return 0;
}
