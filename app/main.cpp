#include "TrainerApp.h"

int main(int argc, char** argv) {
    tessaro::TrainerApp app(argc, argv);
    return app.start();
}
