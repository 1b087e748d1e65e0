package maptest;

import java.util.ArrayList;
import java.util.List;

/** Receives the items of an enumeration. */
public class Collector implements brivel.TavoIterator {
    public final List<Object> items = new ArrayList<Object>();

    public boolean TavoNextItem(Object item) {
        items.add(item);
        return true;
    }

    /** The class names of the items, in order, separated by blanks. */
    public String classes() {
        StringBuilder names = new StringBuilder();
        for (Object item : items) names.append(names.length() > 0 ? " " : "").append(item.getClass().getName());
        return names.toString();
    }
}
