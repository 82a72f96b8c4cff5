#include "lottery/lottery.hpp"

const char* const CRITERION_NAMES[CRITERION_COUNT] = {
    "홀수 : 짝수",
    "공 색 구간별 비율",
    "숫자 총합",
    "미출현 숫자",
};

const char* const BALL_COLOR_NAMES[COLOR_GROUP_COUNT] = {
    "노란색", "파란색", "빨간색", "회색", "초록색",
};
