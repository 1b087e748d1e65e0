package brivel;

/** Receives the items of a COM collection, one call per item. */
public interface TavoIterator {
    /** Takes one item; answering false stops the enumeration. */
    boolean TavoNextItem(Object item);
}
