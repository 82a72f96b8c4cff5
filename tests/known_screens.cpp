#include "known_screens.hpp"

#include <cstdlib>

#include "program_text.hpp"

namespace {

enum class RandFlavour { Glibc, WindowsRuntime, Unknown };

RandFlavour rand_flavour()
{
    std::srand(1);
    const int first = std::rand();
    return first == 1804289383 ? RandFlavour::Glibc
           : first == 41       ? RandFlavour::WindowsRuntime
                               : RandFlavour::Unknown;
}

const RandFlavour flavour = rand_flavour();

std::string for_this_rand(const char* glibc, const char* windows_runtime)
{
    switch (flavour) {
    case RandFlavour::Glibc:
        return program_text(glibc);
    case RandFlavour::WindowsRuntime:
        return program_text(windows_runtime);
    case RandFlavour::Unknown:
        break;
    }
    return {};
}

} // namespace

std::string strip_escapes(const std::string& text)
{
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\x1b' && i + 1 < text.size() && text[i + 1] == '[') {
            i += 2;
            while (i < text.size() && ((text[i] >= '0' && text[i] <= '9') || text[i] == ';')) {
                ++i;
            }
            continue; // skips the final letter too
        }
        plain += text[i];
    }
    return plain;
}

bool screens_are_known_for_this_rand()
{
    return flavour != RandFlavour::Unknown;
}

const std::string FIRST_MENU = program_text("\n"
                                            "1번: 종료\n"
                                            "2번: 로또 번호 생성\n"
                                            "\n"
                                            "실행하실 메뉴를 선택하세요: ");

const std::string SHOWN_MENU = program_text("\n"
                                            "1번: 종료\n"
                                            "2번: 로또 번호 다시 생성\n"
                                            "3번: 결과 자세히 보기\n"
                                            "\n"
                                            "실행하실 메뉴를 선택하세요: ");

const std::string INVALID = program_text("잘못 입력하셨습니다.\n 다시 입력해주세요. \n");

const std::string FAREWELL = program_text("종료하였습니다\n");

const std::string PREDICTIONS = for_this_rand(
    // glibc
    "\n"
    "  예상되는 로또 번호입니다\n"
    "\n"
    "  1 ||   2   7  11  21  31  45 \t\t총점: 83\n\n"
    "  2 ||   7  13  29  30  31  44 \t\t총점: 90\n\n"
    "  3 ||   6  15  26  38  39  43 \t\t총점: 82\n\n"
    "  4 ||   1   3   6  20  22  29 \t\t총점: 89\n\n"
    "  5 ||   1  11  24  37  39  41 \t\t총점: 68\n\n"
    "\n",
    // Windows C runtime
    "\n"
    "  예상되는 로또 번호입니다\n"
    "\n"
    "  1 ||   8  12  19  29  35  36 \t\t총점: 113\n\n"
    "  2 ||   2  10  22  28  33  39 \t\t총점: 72\n\n"
    "  3 ||   2   6   7  20  37  43 \t\t총점: 93\n\n"
    "  4 ||   2   3   5   9  23  29 \t\t총점: 51\n\n"
    "  5 ||  12  13  30  33  37  45 \t\t총점: 85\n\n"
    "\n");

const std::string DETAILS = for_this_rand(
    // glibc
    "<점수 산정 결과 상세보기> \n"
    "=========================================================\n"
    "1번째 set \n"
    "[   2   7  11  21  31  45  ]\n"
    "(홀수 : 짝수) = 5개 : 1개           \t--->  8점 \n"
    "공 색 구간별 비율 = 1 : 1 : 1 : 1 : 2   ---> 11점 \n"
    "숫자 총합 = 117, 101~130 구간     \t---> 29점 \n"
    "미출현 숫자 11, 31, 7, 21 포함          ---> 35점 \n"
    "==========> 총점 : 83점\n"
    "\n"
    "2번째 set \n"
    "[   7  13  29  30  31  44  ]\n"
    "(홀수 : 짝수) = 4개 : 2개           \t---> 25점 \n"
    "공 색 구간별 비율 = 1 : 1 : 1 : 1 : 2   ---> 11점 \n"
    "숫자 총합 = 154, 131~160 구간     \t---> 34점 \n"
    "미출현 숫자 29, 31, 7 포함              ---> 20점 \n"
    "==========> 총점 : 90점\n"
    "\n"
    "3번째 set \n"
    "[   6  15  26  38  39  43  ]\n"
    "(홀수 : 짝수) = 3개 : 3개           \t---> 35점 \n"
    "공 색 구간별 비율 = 1 : 1 : 1 : 1 : 2   ---> 11점 \n"
    "숫자 총합 =167, 161~190 구간     \t---> 21점 \n"
    "미출현 숫자 6, 38 포함                  ---> 15점 \n"
    "==========> 총점 : 82점\n"
    "\n"
    "4번째 set \n"
    "[   1   3   6  20  22  29  ]\n"
    "(홀수 : 짝수) = 3개 : 3개           \t---> 35점 \n"
    "공 색 구간별 비율 = 1 : 2 : 3           ---> 23점 \n"
    "숫자 총합 = 81, 71~100 구간     \t---> 11점 \n"
    "미출현 숫자 3, 6, 22, 29 포함           ---> 20점 \n"
    "==========> 총점 : 89점\n"
    "\n"
    "5번째 set \n"
    "[   1  11  24  37  39  41  ]\n"
    "(홀수 : 짝수) = 5개 : 1개           \t--->  8점 \n"
    "공 색 구간별 비율 = 1 : 1 : 1 : 1 : 2   ---> 11점 \n"
    "숫자 총합 = 153, 131~160 구간     \t---> 34점 \n"
    "미출현 숫자 11, 24, 41 포함             ---> 15점 \n"
    "==========> 총점 : 68점\n"
    "\n"
    "=========================================================\n"
    "1번 종료\n"
    "2번 돌아가기\n",
    // Windows C runtime
    "<점수 산정 결과 상세보기> \n"
    "=========================================================\n"
    "1번째 set \n"
    "[   8  12  19  29  35  36  ]\n"
    "(홀수 : 짝수) = 3개 : 3개           \t---> 35점 \n"
    "공 색 구간별 비율 = 1 : 1 : 2 : 2       ---> 39점 \n"
    "숫자 총합 = 139, 131~160 구간     \t---> 34점 \n"
    "미출현 숫자 29 포함                     --->  5점 \n"
    "==========> 총점 : 113점\n"
    "\n"
    "2번째 set \n"
    "[   2  10  22  28  33  39  ]\n"
    "(홀수 : 짝수) = 2개 : 4개           \t---> 22점 \n"
    "공 색 구간별 비율 = 2 : 2 : 2           --->  6점 \n"
    "숫자 총합 = 134, 131~160 구간     \t---> 34점 \n"
    "미출현 숫자 22, 28 포함                 ---> 10점 \n"
    "==========> 총점 : 72점\n"
    "\n"
    "3번째 set \n"
    "[   2   6   7  20  37  43  ]\n"
    "(홀수 : 짝수) = 3개 : 3개           \t---> 35점 \n"
    "공 색 구간별 비율 = 1 : 1 : 1 : 3       ---> 14점 \n"
    "숫자 총합 = 115, 101~130 구간     \t---> 29점 \n"
    "미출현 숫자 6, 7 포함                   ---> 15점 \n"
    "==========> 총점 : 93점\n"
    "\n"
    "4번째 set \n"
    "[   2   3   5   9  23  29  ]\n"
    "(홀수 : 짝수) = 5개 : 1개           \t--->  8점 \n"
    "공 색 구간별 비율 = 2 : 4               --->  2점 \n"
    "숫자 총합 = 71, 71~100 구간     \t---> 11점 \n"
    "미출현 숫자 3, 29, 5, 23 포함           ---> 30점 \n"
    "==========> 총점 : 51점\n"
    "\n"
    "5번째 set \n"
    "[  12  13  30  33  37  45  ]\n"
    "(홀수 : 짝수) = 4개 : 2개           \t---> 25점 \n"
    "공 색 구간별 비율 = 1 : 1 : 2 : 2       ---> 39점 \n"
    "숫자 총합 =170, 161~190 구간     \t---> 21점 \n"
    "미출현 숫자 미포함                      --->  0점 \n"
    "==========> 총점 : 85점\n"
    "\n"
    "=========================================================\n"
    "1번 종료\n"
    "2번 돌아가기\n");
