#include "core/OmbrixApp.h"

int main(int argc, char** argv) {
    return ombrix::RunOmbrix(argc, argv);
}
