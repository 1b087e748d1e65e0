package brivel;

/** Base of the generated enumeration classes: one integer value. */
public class TavoEnumeration {
    /** The value of the enumerated constant. */
    protected int __Brv_value;

    public TavoEnumeration() {
    }

    protected TavoEnumeration(int value) {
        __Brv_value = value;
    }

    /** The value as an int. */
    public int getEnumeratedIntValue() {
        return __Brv_value;
    }

    public int hashCode() {
        return __Brv_value;
    }

    public String toString() {
        return getClass().getName() + "(" + __Brv_value + ")";
    }
}
