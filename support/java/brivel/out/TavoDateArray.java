package brivel.out;

/** Holder of a java.util.Date array passed by reference: the callee may replace the array. */
public class TavoDateArray {
    /** The array passed in, and after the call the array passed back. */
    public java.util.Date[] array;

    public TavoDateArray() {
    }

    public TavoDateArray(java.util.Date[] array) {
        this.array = array;
    }

    public java.util.Date[] get() {
        return array;
    }

    public void set(java.util.Date[] array) {
        this.array = array;
    }
}
