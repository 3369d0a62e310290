#pragma once
// The text reader's state of one level of an expression (operands joined by "^", "*", "/",
// implicit multiplication, "+" and "-", ended by ")", "]" or the end) and one step per
// operator class. The compiled path has its own precedence: nothing here is shared with it.
#include "textcalc/number/value.h"

namespace textcalc::testing_support {

struct Level {
    Number operand; // the last operand read; the start value, exact 0
    Number factor;  // the operand after a pending power; the base while "^" is pending
    Number term;    // running product or quotient
    Number total;   // running sum: the level's result
    char pendingAdd = 0, pendingMul = 0;
    bool pendingPow = false;
    bool afterOperand = false; // an operand was just read: a bracket, number or name multiplies
    bool negateFactor = false, negateExponent = false;

    void power()
    {
        afterOperand = false;
        if (pendingPow)
            factor = mocn(factor, operand);
        else
            factor = operand;
        if (negateFactor) {
            factor = negated(factor);
            negateFactor = false;
        }
    }

    void product()
    {
        pendingPow = false;
        if (pendingMul == '*')
            term = soucincisel(term, factor);
        else if (pendingMul == '/')
            term = podilcisel(term, factor);
        else
            term = factor;
    }

    // power(), product() and the pending sum.
    void sum()
    {
        power();
        product();
        sumWith(term);
    }

    // Before a bracket, number or name: an operand just read multiplies (2x, (1+2)(3+4)).
    void beforeOperand()
    {
        if (afterOperand) {
            power();
            product();
            pendingMul = '*';
        }
    }

    // An operand has been stored into `operand`: it takes a pending exponent sign.
    void operandRead()
    {
        afterOperand = true;
        if (negateExponent) {
            operand = negated(operand);
            negateExponent = false;
        }
    }

    // "*" or "/" and the signs after it (2*-3); false when no operand precedes.
    bool multiplicative(char op, bool negate)
    {
        if (!afterOperand)
            return false;
        if (nothingPending()) {
            afterOperand = false;
            term = operand;
        } else {
            power();
            product();
        }
        pendingMul = op;
        negateFactor = negate;
        return true;
    }

    // "+" or "-" and the signs after it, which belong to the next term: 2--3 is 2-(-3).
    void additive(char op, bool negate)
    {
        if (nothingPending())
            sumWith(operand);
        else
            sum();
        pendingAdd = (op == '-') != negate ? '-' : '+';
    }

    // "^" and the signs after it (2^-1); powers chain from the left (2^3^2 is 64); false when
    // no operand precedes.
    bool exponent(bool negate)
    {
        if (!afterOperand)
            return false;
        afterOperand = false;
        if (pendingPow)
            operand = mocn(factor, operand);
        factor = operand;
        pendingPow = true;
        negateExponent = negate;
        return true;
    }

    // ")", "]" or the end: false when an operator lacks its right side. An empty level is
    // the start value 0.
    bool closes() const { return afterOperand || !(pendingAdd || pendingMul || pendingPow); }

    const Number& result()
    {
        if (nothingPending()) {
            if (pendingAdd == 0)
                return operand;
            sumWith(operand);
        } else {
            sum();
        }
        return total;
    }

private:
    // No power, product or sign waits for the operand: power() and product() would only copy
    // it into factor and term, which nothing reads before writing them again.
    bool nothingPending()
    {
        if (pendingPow || negateFactor || pendingMul)
            return false;
        afterOperand = false;
        return true;
    }

    // sum() with the term given.
    void sumWith(const Number& t)
    {
        pendingMul = 0;
        if (pendingAdd == 0)
            total = t;
        else if (pendingAdd == '-')
            total = soucetcisel(total, negated(t));
        else
            total = soucetcisel(total, t);
    }
};

} // namespace textcalc::testing_support
