// Every judge of the course, fed whatever a pupil could type, pick, mark or tick.
#include "fuzz/FuzzInput.h"
#include "screens/closing/Step10Tasks.h"
#include "screens/main/Step1Tasks.h"
#include "screens/main/Step2Tasks.h"
#include "screens/main/Step3Tasks.h"
#include "screens/main/Step4Tasks.h"
#include "screens/main/Step5Tasks.h"
#include "screens/main/Step6Tasks.h"
#include "screens/second/Step10Tasks.h"
#include "screens/second/Step6Tasks.h"
#include "screens/second/Step7Tasks.h"
#include "screens/second/Step8Tasks.h"
#include "screens/second/Step9Tasks.h"

#include <array>

namespace {

template <std::size_t N> std::array<QString, N> boxes(FuzzInput& input) {
    std::array<QString, N> all;
    for (QString& box : all) {
        box = input.text();
    }
    return all;
}

template <std::size_t N> std::array<bool, N> marks(FuzzInput& input) {
    std::array<bool, N> all{};
    for (bool& mark : all) {
        mark = input.flag();
    }
    return all;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const QStringList expected = input.texts(5);
    const QStringList picked = input.texts(4);
    tasks::task1Solved(expected, picked);
    tasks::task2Solved(input.text(), input.text(), input.text());
    tasks::task3Solved(boxes<24>(input));
    tasks::task4Solved(input.text(), input.text());
    tasks::task5Solved(input.text(), input.text());
    tasks::task6Errors(expected, picked);
    tasks::task7Errors(boxes<4>(input));
    tasks::task8Errors(boxes<4>(input));
    tasks::task9Errors(expected, picked);
    tasks::task10Errors(input.text());
    tasks::task11Errors(expected, picked);
    tasks::task12Errors(expected, picked);
    tasks::task13Solved(marks<6>(input));
    tasks::task14Solved(marks<8>(input));
    tasks::task15Solved(marks<6>(input));
    tasks::task16Errors(boxes<4>(input));
    tasks::task17Errors(expected, picked);
    tasks::task18Errors(boxes<12>(input));
    tasks::task19Solved(input.flag(), input.flag());
    tasks::task20Errors(boxes<8>(input));
    tasks::task21Errors(input.text(), input.text());
    std::array<int, 9> ticks{};
    for (int& tick : ticks) {
        tick = input.number();
    }
    tasks::task22Solved(ticks);
    tasks::task23Solved(input.flag());
    tasks::task24Solved(marks<6>(input));
    tasks::task25Solved(marks<4>(input));
    tasks::task26Solved(marks<9>(input));
    return 0;
}
