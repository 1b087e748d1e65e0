package brivel.out;

/** Holder of a brivel.TavoEnumeration array passed by reference: the callee may replace the array. */
public class TavoEnumArray {
    /** The array passed in, and after the call the array passed back. */
    public brivel.TavoEnumeration[] array;

    public TavoEnumArray() {
    }

    public TavoEnumArray(brivel.TavoEnumeration[] array) {
        this.array = array;
    }

    public brivel.TavoEnumeration[] get() {
        return array;
    }

    public void set(brivel.TavoEnumeration[] array) {
        this.array = array;
    }
}
