#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks practice_sheets.table apart from the program: each answer worked anew with exact
fractions and written as a teacher writes it, each question held to the bounds of its level as
practice/levels.cpp gives them. Usage: practice_sheets_check.py TABLE"""
import re
import sys
from fractions import Fraction as F
from math import gcd, isqrt

SUPERSCRIPTS = str.maketrans("⁰¹²³⁴⁵⁶⁷⁸⁹⁻", "0123456789-")
OPERATIONS = {"+": lambda a, b: a + b, "−": lambda a, b: a - b, "×": lambda a, b: a * b, "÷": lambda a, b: a / b}


def unbracketed(text):
    text = text.strip()
    return text[1:-1] if text.startswith("(") and text.endswith(")") else text


def number(text):
    return F(unbracketed(text))


def fraction(text):
    """A whole number, a fraction or a mixed number, with its sign."""
    text = unbracketed(text)
    sign, text = (-1, text[1:]) if text.startswith("-") else (1, text)
    mixed = re.fullmatch(r"(\d+) (\d+)/(\d+)", text)
    if mixed:
        return sign * (int(mixed[1]) + F(int(mixed[2]), int(mixed[3])))
    return sign * (F(*map(int, text.split("/"))) if "/" in text else F(int(text)))


def usual(value, mixed):
    sign, value = ("-" if value < 0 else ""), abs(value)
    if value.denominator == 1:
        return sign + str(value.numerator)
    if mixed and value > 1:
        whole, part = divmod(value.numerator, value.denominator)
        return "%s%d %d/%d" % (sign, whole, part, value.denominator)
    return "%s%d/%d" % (sign, value.numerator, value.denominator)


def decimal(value):
    sign, value = ("-" if value < 0 else ""), abs(value)
    whole = value.numerator // value.denominator
    rest, text = value - whole, str(whole)
    if rest:
        text += "."
        while rest:
            rest *= 10
            digit = rest.numerator // rest.denominator
            text, rest = text + str(digit), rest - digit
    return sign + text


def places(text):
    return len(text.split(".")[1]) if "." in text else 0


def in_lowest_terms(text):
    numerator, denominator = unbracketed(text).lstrip("-").split("/")
    return gcd(int(numerator), int(denominator)) == 1


def operands(question):
    left, sign, right = re.fullmatch(r"(\S+) ([+−×÷]) (\S+)", question).groups()
    return left, sign, right


def check_fractions(topic, level, question, answer):
    left, sign, right = operands(question)
    a, b = fraction(left), fraction(right)
    value = OPERATIONS[sign](a, b)
    assert answer == usual(value, True), usual(value, True)
    assert in_lowest_terms(left) and in_lowest_terms(right)
    da, db = a.denominator, b.denominator
    proper = 0 < a < 1 and 0 < b < 1
    if topic in ("FA", "FS"):
        lowest, highest = [(2, 12), (2, 24), (2, 12), (4, 30), (2, 12)][level - 1]
        assert lowest <= da <= highest and lowest <= db <= highest
        dividing = da % db == 0 or db % da == 0
        assert [da == db, da != db and dividing, da != db and gcd(da, db) == 1,
                gcd(da, db) > 1 and not dividing, True][level - 1]
        assert proper or level == 5
        assert value > 0 or topic == "FA" or level == 5
        assert value.denominator > 1 or (topic, level) != ("FA", 1)
    elif topic == "FM":
        assert 2 <= da <= (12 if level == 3 else 10) and 2 <= db <= (12 if level == 3 else 10)
        assert level != 1 or (a.numerator == 1 and b.numerator == 1)
        assert level not in (2, 3) or proper
        assert level != 3 or gcd(a.numerator * b.numerator, da * db) > 1
        assert level != 4 or (a > 1 and b > 1)
    else:
        assert 2 <= da <= (12 if level in (2, 3) else 10) and 2 <= db <= (12 if level in (2, 3) else 10)
        assert level != 1 or (0 < a < 1 and b.numerator == 1)
        assert level != 2 or (da == db and proper)
        assert level != 3 or proper
        assert level != 4 or (a > 1 and b > 1)
    if level == 5:
        assert abs(a) < 3 and abs(b) < 3 and (a < 0 or b < 0 or a > 1 or b > 1)
    if (level == 5 and topic in ("FA", "FS")) or (level == 4 and topic in ("FM", "FD")):
        assert abs(value) > 1 and value.denominator > 1  # a mixed-number answer


def check_simplifying(level, question, answer):
    numerator, denominator = map(int, question.split("/"))
    factor = gcd(numerator, denominator)
    assert answer == usual(F(numerator, denominator), False)
    smallest, largest, denominators, terms = [(2, 2, 15, 30), (3, 5, 12, 60), (6, 12, 12, 144), (2, 25, 20, 100),
                                              (2, 12, 12, 200)][level - 1]
    assert smallest <= factor <= largest and denominator // factor <= denominators
    assert numerator <= terms and denominator <= terms and (numerator > denominator) == (level == 5)


def check_conversion(level, question, answer):
    given, asked = re.fullmatch(r"(.+) as a (decimal|fraction|percent)", question).groups()
    if given.endswith(" %"):
        value, kind = number(given[:-2]) / 100, "percent"
    elif "/" in given:
        value, kind = fraction(given), "fraction"
    else:
        value, kind = number(given), "decimal"
    assert kind != asked
    assert answer == {"decimal": decimal(value), "fraction": usual(value, True),
                      "percent": decimal(value * 100) + " %"}[asked]
    denominators = [(2, 4, 5, 10), (20, 25, 50), (100,), (8, 40, 125, 200), (2, 4, 5, 8, 10, 20, 25)][level - 1]
    assert value.denominator in denominators and (1 < value < 4 if level == 5 else 0 < value < 1)
    assert kind == "fraction" or (value * 100).denominator == 1  # a whole number of hundredths


def check_decimals(topic, level, question, answer):
    left, sign, right = operands(question)
    value = OPERATIONS[sign](number(left), number(right))
    assert answer == decimal(value)
    first, second = (value if topic == "DD" else number(left)), number(right)
    shapes = {"DA": [(1, 1), (2, 1), (3, 2)], "DS": [(1, 1), (2, 1), (2, 1)], "DM": [(1, 0), (1, 1), (2, 1)],
              "DD": [(1, 0), (0, 1), (1, 1)]}[topic][level - 1]
    assert (places(decimal(first)), places(unbracketed(right))) == shapes
    assert (abs(first) < 10 or (topic, level) == ("DD", 2)) and abs(second) < 10
    assert (topic, level) != ("DD", 2) or 2 <= first <= 20
    assert shapes[1] != 0 or 2 <= second <= 9
    assert level == 3 or (first > 0 and second > 0)
    assert topic != "DS" or level == 3 or first > second


def check_whole_numbers(topic, level, question, answer):
    if topic == "WD":
        dividend, _, divisor = operands(question)
        quotient, remainder = divmod(int(dividend), int(divisor))
        assert answer == "%d remainder %d" % (quotient, remainder)
        low, high, fewest, most = [(2, 5, 1, 10), (2, 10, 1, 12), (2, 9, 10, 99), (11, 30, 2, 20),
                                   (11, 99, 10, 999)][level - 1]
        assert low <= int(divisor) <= high and fewest <= quotient <= most
    elif topic == "PW":
        base, exponent = re.fullmatch(r"\(?(-?\d+)\)?([⁰¹²³⁴⁵⁶⁷⁸⁹⁻]+)", question).groups()
        base, exponent = int(base), int(exponent.translate(SUPERSCRIPTS))
        assert answer == str(base ** exponent)
        low, high, fewest, most = [(1, 25, 2, 3), (2, 10, 1, 5), (-10, -1, 0, 5)][level - 1]
        assert low <= base <= high and fewest <= exponent <= most
    elif topic == "SR":
        square, root = number(question[1:]), number(answer)
        assert root * root == square and root > 0
        assert [1 <= root <= 50 and root.denominator == 1, 51 <= root <= 200 and root.denominator == 1,
                places(answer) == 1 and root < 10][level - 1]
    else:
        n = int(question)
        prime = n >= 2 and all(n % k for k in range(2, isqrt(n) + 1))
        assert answer == ("Neither" if n < 2 else "Prime" if prime else "Composite")
        low, high = [(2, 50), (0, 100), (100, 1000)][level - 1]
        assert low <= n <= high and (level < 3 or all(n % k for k in (2, 3, 5)))


def check(code, question, answer):
    topic, level = code[:2], int(code[2])
    if topic in ("FA", "FS", "FM", "FD"):
        check_fractions(topic, level, question, answer)
    elif topic == "SF":
        check_simplifying(level, question, answer)
    elif topic == "FP":
        check_conversion(level, question, answer)
    elif topic in ("DA", "DS", "DM", "DD"):
        check_decimals(topic, level, question, answer)
    else:
        check_whole_numbers(topic, level, question, answer)


def main():
    faults = checked = 0
    for number_, line in enumerate(open(sys.argv[1], encoding="utf-8"), 1):
        if not line.strip() or line.startswith("#"):
            continue
        code, *exercises = [column.strip() for column in line.split("|")]
        for exercise in exercises:
            question, answer = [side.strip() for side in exercise.split("→")]
            try:
                check(code, question, answer)
                checked += 1
            except AssertionError as fault:
                faults += 1
                print("line %d, %s: %s → %s %s" % (number_, code, question, answer, fault))
    print("%d exercises checked, %d wrong" % (checked, faults))
    sys.exit(1 if faults or not checked else 0)


if __name__ == "__main__":
    main()
